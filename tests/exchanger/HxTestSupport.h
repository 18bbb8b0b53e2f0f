#pragma once

#include "CaseInput.h"
#include "Format.h"
#include "Hx.h"
#include "HxFields.h"

#include <QList>
#include <QPair>
#include <QString>
#include <stdexcept>

// Small helpers shared by the exchanger tests: fields by record name, values
// to three decimals as the results page shows them.

// (record field name, value) pairs, for tables of cases.
using THxValues = QList<QPair<QString, double>>;
// (record field name, expected value to three decimals).
using THxExpected = QList<QPair<QString, QString>>;

inline double& FieldOf(THx& hx, const QString& name)
{
    for (const THxNumberField& field : HxNumberFields)
        if (name == QLatin1StringView(field.name))
            return hx.*field.member;
    throw std::invalid_argument("no number field " + name.toStdString());
}

inline double FieldOf(const THx& hx, const QString& name)
{
    return FieldOf(const_cast<THx&>(hx), name);
}

// The field as the outputs show it: NaN where the last solve did not reach it.
inline double ResultOf(const THx& hx, const QString& name)
{
    for (const THxNumberField& field : HxNumberFields)
        if (name == QLatin1StringView(field.name))
            return hx.Result(field.member);
    throw std::invalid_argument("no number field " + name.toStdString());
}

inline QString Fixed3(double value)
{
    return Format(QStringLiteral("%0.3f"), {value});
}

inline QString Fixed4(double value)
{
    return Format(QStringLiteral("%0.4f"), {value});
}

inline void SetFields(THx& hx, const THxValues& values)
{
    for (const auto& [name, value] : values)
        FieldOf(hx, name) = value;
}

inline THx InitialCase()
{
    THx hx;
    SetInitialCase(hx);
    return hx;
}

inline THx SolvedInitialCase()
{
    THx hx = InitialCase();
    hx.Solve(InitialCaseMask);
    return hx;
}

// Every field, texts and numbers (exactly), as one comparable text.
inline QString RecordText(const THx& hx)
{
    QString text;
    for (const THxTextField& field : HxTextFields)
        text += QLatin1StringView(field.name) + u'=' + field.text(hx) + u';';
    for (const THxNumberField& field : HxNumberFields)
        text +=
            QLatin1StringView(field.name) + u'=' + FloatToRoundTripText(hx.*field.member) + u';';
    return text;
}

// A case of a table: the initial case, solved once when `fromSolved` is set
// (as the shared case is after start-up), then given `set`.
inline THx Prepared(bool fromSolved, const THxValues& set)
{
    THx hx = fromSolved ? SolvedInitialCase() : InitialCase();
    SetFields(hx, set);
    return hx;
}
