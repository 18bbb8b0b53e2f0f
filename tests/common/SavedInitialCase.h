#pragma once

#include <QByteArray>

// The initial case, solved and saved: one element per line, CR LF, two spaces a
// level. `dutyExtra` is a line that a named case file adds at the end of the
// duty group.
inline QByteArray SavedInitialCase(const QByteArray& dutyExtra = {})
{
    return "<datafile program=\"kelvane\" generator=\"Marbleworth Software\" "
           "version=\"1.0.0.0\">\r\n"
           "  <hot>\r\n"
           "    <name>air</name>\r\n"
           "    <thi>35.000</thi>\r\n"
           "    <tho>12.000</tho>\r\n"
           "    <mh>1.000</mh>\r\n"
           "    <cph>1.023</cph>\r\n"
           "    <ch>1.023</ch>\r\n"
           "  </hot>\r\n"
           "  <cold>\r\n"
           "    <name>water</name>\r\n"
           "    <tci>6.000</tci>\r\n"
           "    <tco>13.014</tco>\r\n"
           "    <mc>0.800</mc>\r\n"
           "    <cpc>4.193</cpc>\r\n"
           "    <cc>3.354</cc>\r\n"
           "  </cold>\r\n"
           "  <heatx>\r\n"
           "    <name>fin and tube</name>\r\n"
           "    <Uo>0.037</Uo>\r\n"
           "    <Ao>51.660</Ao>\r\n"
           "  </heatx>\r\n"
           "  <lmtd>\r\n"
           "    <lmtd>12.310</lmtd>\r\n"
           "  </lmtd>\r\n"
           "  <e-Ntu>\r\n"
           "    <cmax>3.354</cmax>\r\n"
           "    <cmin>1.023</cmin>\r\n"
           "    <cr>0.305</cr>\r\n"
           "    <itd>29.000</itd>\r\n"
           "    <ntu>1.868</ntu>\r\n"
           "    <e>0.793</e>\r\n"
           "  </e-Ntu>\r\n"
           "  <duty>\r\n"
           "    <method>Hot fluid specified</method>\r\n"
           "    <Qmax>29.667</Qmax>\r\n"
           "    <Q>23.529</Q>\r\n" +
           dutyExtra +
           "  </duty>\r\n"
           "</datafile>";
}
