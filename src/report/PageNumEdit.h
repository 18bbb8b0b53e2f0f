#pragma once

#include <QSpinBox>

// A spin edit for a page number that takes any whole number as typed, also
// one outside its range: the reader holds the number to the range, so typing
// 50 in a 10-page document means the last page. Numbers read and show with
// the program's own number text, whatever the locale.
class TPageNumEdit : public QSpinBox
{
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;

    // The typed number held to minimum ... maximum; text that is not a whole number counts as the
    // minimum.
    int HeldValue() const;

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;
    void focusInEvent(QFocusEvent* event) override;
};
