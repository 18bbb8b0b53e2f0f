#pragma once

#include "Format.h"
#include "Hx.h"

#include <QByteArray>

// The initial case, solved (`solved`) and saved: one element per line, CR LF,
// two spaces a level, every number the shortest text that reads back as the
// same double. The given values and the tables' cp read as typed; the
// computed ones follow the record. `dutyExtra` is a line that a named case
// file adds at the end of the duty group.
inline QByteArray SavedInitialCase(const THx& solved, const QByteArray& dutyExtra = {})
{
    const auto element = [](const QByteArray& name, const QByteArray& text) {
        return "    <" + name + ">" + text + "</" + name + ">\r\n";
    };
    const auto number = [&element](const QByteArray& name, double value) {
        return element(name, FloatToRoundTripText(value).toLatin1());
    };
    return "<datafile program=\"kelvane\" generator=\"Marbleworth Software\" "
           "version=\"1.0.0.0\">\r\n"
           "  <hot>\r\n" +
           element("name", "air") + element("thi", "35") + element("tho", "12") +
           element("mh", "1") + element("cph", "1.023") + number("ch", solved.ch) +
           "  </hot>\r\n"
           "  <cold>\r\n" +
           element("name", "water") + element("tci", "6") + number("tco", solved.tco) +
           element("mc", "0.8") + element("cpc", "4.193") + number("cc", solved.cc) +
           "  </cold>\r\n"
           "  <heatx>\r\n" +
           element("name", "fin and tube") + element("Uo", "0.037") + number("Ao", solved.Ao) +
           "  </heatx>\r\n"
           "  <lmtd>\r\n" +
           number("lmtd", solved.lmtd) +
           "  </lmtd>\r\n"
           "  <e-Ntu>\r\n" +
           number("cmax", solved.cmax) + number("cmin", solved.cmin) + number("cr", solved.cr) +
           number("itd", solved.itd) + number("ntu", solved.ntu) + number("e", solved.e) +
           "  </e-Ntu>\r\n"
           "  <duty>\r\n" +
           element("method", "Hot fluid specified") + number("Qmax", solved.Qmax) +
           number("Q", solved.Q) + dutyExtra +
           "  </duty>\r\n"
           "</datafile>";
}
