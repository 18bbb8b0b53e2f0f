#include "PageNumEdit.h"

#include "Format.h"
#include "NumberParse.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>

int TPageNumEdit::HeldValue() const
{
    int typed = 0;
    if (!TryStrToInt(lineEdit()->text(), typed))
        return minimum();
    return std::clamp(typed, minimum(), maximum());
}

QValidator::State TPageNumEdit::validate(QString& text, int&) const
{
    static const QRegularExpression digits(QStringLiteral("^\\s*[+-]?\\d*\\s*$"));
    if (!digits.match(text).hasMatch())
        return QValidator::Invalid;
    int typed = 0;
    return TryStrToInt(text, typed) ? QValidator::Acceptable : QValidator::Intermediate;
}

int TPageNumEdit::valueFromText(const QString& text) const
{
    int typed = 0;
    return TryStrToInt(text, typed) ? typed : minimum();
}

QString TPageNumEdit::textFromValue(int value) const
{
    return Format("%d", {std::int64_t{value}});
}

void TPageNumEdit::focusInEvent(QFocusEvent* event)
{
    QSpinBox::focusInEvent(event);
    // After the base class has placed the cursor, so the whole text stays selected.
    QTimer::singleShot(0, this, [this] { selectAll(); });
}
