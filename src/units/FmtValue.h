#pragma once

#include <QString>
#include <variant>

// The value of a formatted edit: a number in base units, an integer under an
// integer format, or a text (string and fraction formats, and a text that
// does not read as a number).
class TFmtValue
{
public:
    TFmtValue(double value) : m_value(value) {}
    TFmtValue(int value) : m_value(value) {}
    TFmtValue(const QString& value) : m_value(value) {}

    bool IsFloat() const { return std::holds_alternative<double>(m_value); }
    bool IsInteger() const { return std::holds_alternative<int>(m_value); }
    bool IsString() const { return std::holds_alternative<QString>(m_value); }

    // The number; a text is converted, raising EConvertError when it is not one.
    double ToFloat() const;
    // The value as text; numbers in their shortest exact form.
    QString ToString() const;

    bool operator==(const TFmtValue& other) const = default;

private:
    std::variant<double, int, QString> m_value;
};
