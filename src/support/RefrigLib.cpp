#include "RefrigLib.h"

#include "AppFolders.h"
#include "IniFile.h"
#include "NumberParse.h"

#include <algorithm>
#include <stdexcept>

namespace {

TRefrigData MakeR22()
{
    TRefrigData r;
    r.InternalNumber = 0;
    r.RNumber = QStringLiteral("R22");
    r.Formula = QStringLiteral("CHClF2");
    r.ChemicalName = QStringLiteral("chlorodifluoromethane");
    r.Components = 1;
    r.RefState = QStringLiteral("IIR");
    r.SourceFile = QStringLiteral("R22.FLD");
    r.FluidType = QStringLiteral("Halocarbon-Methane Series");
    r.TCrit = 96.1;
    r.PCrit = 4990.0;
    r.DCrit = 523.842;
    r.wm = 86.468;
    r.TTrip = -157.42;
    r.TBoil = -40.8;
    r.TMax = 60.0;
    r.TMin = -60.0;
    r.dp = {21.39916, -2103.23, 254.0905};
    r.bp = {21.39916, -2103.23, 254.0905};
    r.lh = {233.95, -0.9197, 3.2e-4, -1.1e-5};
    r.th = {200.0, 1.17, 0.0012, -1.5e-6};
    r.vh = {404.8, 0.3, -0.0031, -6.1e-6, -1.3e-7};
    r.sh = {1.7511, -0.00126, 1.5e-5, -2.0e-7, 1.1e-9, -2.6e-12};
    r.vv = {0.0778, -0.00302, 5.5e-5, -5.7e-7, 3.4e-9, -8.9e-12};
    r.sv = {0.9391, 0.0012, -2.9e-6, 1.4e-8, -3.1e-11, 2.6e-14};
    r.ic = {0.5607, 0.0024, 1.3e-6, -2.4e-8, 1.1e-10, 3.3e-13, -1.8e-15, 2.7e-18};
    r.sc = {1.1, 0.0028, 1.0e-5, 7.4e-8};
    r.lv = {1281.1, -3.47, -0.0075, -2.9e-5};
    r.cl = {1.0959, 0.0024, 1.2e-5, 1.5e-7, 9.6e-10};
    r.cv = {0.6453, 0.0029, 2.4e-5, 2.6e-7, 2.0e-9};
    r.ul = {0.3086, -0.00394, 2.3e-5, -8.8e-8};
    r.uv = {0.0117, 4.4e-5, 1.6e-8, -2.1e-10};
    r.kl = {0.0958, -3.9e-4, -6.9e-7, 1.3e-9};
    r.kv = {0.0101, 6.0e-5, 1.9e-7, 3.1e-10};
    r.si = {0.0118, -1.2e-4, 2.4e-7, -6.6e-10};
    return r;
}

// Splits comma text: items are separated by commas or blanks and may be
// enclosed in double quotes, a doubled quote standing for one; a delimiter at
// the end leaves a last empty item.
QStringList SplitCommaText(const QString& text)
{
    const auto isBlank = [](QChar c) { return c.unicode() >= 1 && c.unicode() <= u' '; };
    QStringList items;
    qsizetype at = 0;
    const qsizetype end = text.size();
    const auto skipBlanks = [&] {
        while (at < end && isBlank(text[at])) {
            ++at;
        }
    };
    skipBlanks();
    while (at < end) {
        QString item;
        if (text[at] == u'"') {
            for (++at; at < end; ++at) {
                if (text[at] == u'"') {
                    if (at + 1 < end && text[at + 1] == u'"') {
                        ++at;
                    } else {
                        ++at;
                        break;
                    }
                }
                item += text[at];
            }
        } else {
            const qsizetype start = at;
            while (at < end && text[at] > u' ' && text[at] != u',') {
                ++at;
            }
            item = text.mid(start, at - start);
        }
        items << item;
        skipBlanks();
        if (at < end && text[at] == u',') {
            ++at;
            if (at == end) {
                items << QString();
            }
            skipBlanks();
        }
    }
    return items;
}

void ReadCoefficients(const TIniFile& ini, const QString& section, const char* key,
                      std::span<double> values)
{
    const QString text = ini.ReadString(section, QString::fromLatin1(key), QString());
    if (text.isEmpty()) {
        return;
    }
    const QStringList items = SplitCommaText(text);
    if (std::size_t(items.size()) != values.size() ||
        std::all_of(items.begin(), items.end(), [](const QString& s) { return s == u"0"; })) {
        return;
    }
    for (std::size_t k = 0; k < values.size(); ++k) {
        values[k] = StrToFloat(items[qsizetype(k)]);
    }
}

void ReadRecord(const TIniFile& ini, const QString& section, TRefrigData& r)
{
    const auto text = [&](const char* key, const QString& current) {
        return ini.ReadString(section, QString::fromLatin1(key), current);
    };
    const auto integer = [&](const char* key, int current) {
        return ini.ReadInteger(section, QString::fromLatin1(key), current);
    };
    const auto number = [&](const char* key, double current) {
        return ini.ReadFloat(section, QString::fromLatin1(key), current);
    };
    r.InternalNumber = integer("InternalNumber", r.InternalNumber);
    r.RNumber = text("RNumber", r.RNumber);
    r.Formula = text("Formula", r.Formula);
    r.ChemicalName = text("ChemicalName", r.ChemicalName);
    r.CASNumber = text("CASNumber", QString());
    r.Components = integer("Components", r.Components);
    r.RefState = text("RefState", r.RefState);
    r.SourceFile = text("SourceFile", r.SourceFile);
    r.FluidType = text("FluidType", r.FluidType);
    r.TCrit = number("TCrit", r.TCrit);
    r.PCrit = number("PCrit", r.PCrit);
    r.DCrit = number("DCrit", r.DCrit);
    r.wm = number("wm", r.wm);
    r.TTrip = number("TTrip", r.TTrip);
    r.TBoil = number("TBoil", r.TBoil);
    r.TMax = number("TMax", r.TMax);
    r.TMin = number("TMin", r.TMin);
    for (auto& [key, values] : r.CoefficientLists()) {
        ReadCoefficients(ini, section, key, values);
    }
}

int IndexOf(const QStringList& names, const QString& name)
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i].compare(name, Qt::CaseInsensitive) == 0) {
            return int(i);
        }
    }
    return -1;
}

std::unique_ptr<TRefrigLib> library;

} // namespace

std::array<std::pair<const char*, std::span<double>>, 18> TRefrigData::CoefficientLists()
{
    return {{{"dp", dp},
             {"bp", bp},
             {"lh", lh},
             {"th", th},
             {"vh", vh},
             {"sh", sh},
             {"vv", vv},
             {"sv", sv},
             {"ic", ic},
             {"sc", sc},
             {"lv", lv},
             {"cl", cl},
             {"cv", cv},
             {"ul", ul},
             {"uv", uv},
             {"kl", kl},
             {"kv", kv},
             {"si", si}}};
}

const TRefrigData& BuiltInR22()
{
    static const TRefrigData r22 = MakeR22();
    return r22;
}

TRefrigLib::TRefrigLib(const QString& fileName) : m_fileName(fileName), m_current(BuiltInR22())
{
    const TIniFile ini(m_fileName);
    m_sections = ini.Sections();
    m_sections.sort(Qt::CaseInsensitive);
    for (const QString& section : m_sections) {
        m_internalNumbers << ini.ReadInteger(section, QStringLiteral("InternalNumber"), -1);
    }
}

void TRefrigLib::SelectRefrigerant(const QString& name)
{
    if (name.compare(m_currentName, Qt::CaseInsensitive) == 0) {
        return;
    }
    m_current = BuiltInR22();
    const TIniFile ini(m_fileName);
    if (ini.SectionExists(name)) {
        // Read into a copy, so a list that fails to convert leaves no half-read record.
        TRefrigData loaded = BuiltInR22();
        ReadRecord(ini, name, loaded);
        m_current = std::move(loaded);
        m_currentName = m_current.RNumber;
    } else {
        m_errorCode = 1;
    }
    m_currentIndex = IndexOf(m_sections, name);
}

void InitRefrigLib()
{
    library = std::make_unique<TRefrigLib>(MakerCommonFolder + QStringLiteral("RefLib8.rdf"));
    library->SelectRefrigerant(QStringLiteral("R22"));
}

TRefrigLib& RefrigLib()
{
    if (!library) {
        throw std::logic_error("the refrigerant library is used before InitRefrigLib");
    }
    return *library;
}
