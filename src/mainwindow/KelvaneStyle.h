#pragma once

#include <QProxyStyle>

// The application's style: the style named `baseKey` (the one the platform or
// the user chose), except that a tool bar's extension arrow is the style's
// built-in pixmap. The style would otherwise build that icon from image files
// whose format it guesses, which loads every image format plugin installed
// with Qt while the main window is being made.
class TKelvaneStyle : public QProxyStyle
{
    Q_OBJECT
public:
    explicit TKelvaneStyle(const QString& baseKey);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
