#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <span>
#include <utility>

// One refrigerant's record from the refrigerant data file.
struct TRefrigData
{
    int InternalNumber = 0;
    QString RNumber;
    QString Formula;
    QString ChemicalName;
    QString CASNumber;
    int Components = 0;
    QString RefState;
    QString SourceFile;
    QString FluidType;
    double TCrit = 0.0;
    double PCrit = 0.0;
    double DCrit = 0.0;
    double wm = 0.0;
    double TTrip = 0.0;
    double TBoil = 0.0;
    double TMax = 0.0;
    double TMin = 0.0;
    std::array<double, 3> dp{};
    std::array<double, 3> bp{};
    std::array<double, 4> lh{};
    std::array<double, 4> th{};
    std::array<double, 5> vh{};
    std::array<double, 6> sh{};
    std::array<double, 6> vv{};
    std::array<double, 6> sv{};
    std::array<double, 8> ic{};
    std::array<double, 4> sc{};
    std::array<double, 4> lv{};
    std::array<double, 5> cl{};
    std::array<double, 5> cv{};
    std::array<double, 4> ul{};
    std::array<double, 4> uv{};
    std::array<double, 4> kl{};
    std::array<double, 4> kv{};
    std::array<double, 4> si{};

    // The coefficient lists with their keys, in the file's order.
    std::array<std::pair<const char*, std::span<double>>, 18> CoefficientLists();

    bool operator==(const TRefrigData&) const = default;
};

// The built-in record: R22, the constant every load starts from.
const TRefrigData& BuiltInR22();

// The refrigerant data library over "RefLib8.rdf", an INI file with one
// section per refrigerant.
//
//   InitRefrigLib();                      // at start-up: indexes the file, loads "R22"
//   RefrigLib().Current().TCrit ...
//   TRefrigLib lib(path); lib.SelectRefrigerant("R134a");
//
// A missing file gives an empty index and the built-in record. A coefficient
// list item that is not a number raises EConvertError out of SelectRefrigerant.
class TRefrigLib
{
public:
    // Create: indexes `fileName` (MakerCommonFolder + "RefLib8.rdf" at start-up).
    explicit TRefrigLib(const QString& fileName);

    void SelectRefrigerant(const QString& name);

    const TRefrigData& Current() const { return m_current; }
    const QString& CurrentName() const { return m_currentName; }
    int CurrentIndex() const { return m_currentIndex; }
    int ErrorCode() const { return m_errorCode; }
    // Section names sorted without regard to case, and their "InternalNumber" (-1 when absent).
    const QStringList& Sections() const { return m_sections; }
    const QList<int>& InternalNumbers() const { return m_internalNumbers; }
    const QString& FileName() const { return m_fileName; }

private:
    QString m_fileName;
    TRefrigData m_current;
    QString m_currentName;
    int m_currentIndex = -1;
    int m_errorCode = 0;
    QStringList m_sections;
    QList<int> m_internalNumbers;
};

// The process-wide library, created by InitRefrigLib from MakerCommonFolder.
void InitRefrigLib();
TRefrigLib& RefrigLib();
