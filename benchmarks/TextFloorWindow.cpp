// What showing text costs, for the start-up benchmark: the empty window of
// kelvane_minimal_window with one short line of the main window's own text in
// each font the main window draws text in, ending as the empty window does.
//
// The main window shows all of this and far more (some sixty controls, a tool
// bar, a results page, a chart with rotated text), so no main window can start
// faster or in less memory than this one.
#include "EndingWindow.h"

#include <QFont>
#include <QLabel>
#include <QVBoxLayout>
#include <utility>

namespace {

// The fonts as the main window asks for them.
QFont Courier(int pointSize, bool bold, QFont::StyleHint hint)
{
    QFont font(QStringLiteral("Courier New"), pointSize);
    font.setStyleHint(hint);
    font.setBold(bold);
    return font;
}

QFont ChartCourier()
{
    QFont font(QStringLiteral("courier new"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(11);
    return font;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TEndingWindow window;
    window.setFixedSize(756, 500);
    auto* layout = new QVBoxLayout(&window);
    const std::pair<QString, QFont> lines[] = {
        {QStringLiteral("Hot fluid"), QApplication::font()},                   // captions
        {QStringLiteral("Q = 23.529 kW"), Courier(8, false, QFont::AnyStyle)}, // results
        {QStringLiteral("Duty"), Courier(8, true, QFont::AnyStyle)},           // headings
        {QStringLiteral("Solved"), Courier(12, true, QFont::Monospace)},       // status
        {QStringLiteral("temperature [degC]"), ChartCourier()}};               // chart
    for (const auto& [text, font] : lines) {
        auto* label = new QLabel(text);
        label->setFont(font);
        layout->addWidget(label);
    }
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
