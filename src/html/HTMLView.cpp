#include "HTMLView.h"

#include "HTMLDocument.h"
#include "PageLayout.h"
#include "PageStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QStringDecoder>
#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

QString DecodeHtml(const QByteArray& data)
{
    // A page without a declared encoding is taken as 8-bit Western text.
    const auto encoding = QStringConverter::encodingForHtml(data);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Latin1));
    return decoder(data);
}

} // namespace

THTMLView::THTMLView(QWidget* parent) : QTextBrowser(parent)
{
    setDocument(new THTMLDocument(this));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void THTMLView::LoadFromStrings(const QStringList& lines)
{
    m_currentFile.clear();
    setHtml(lines.join(QLatin1Char('\n')));
}

void THTMLView::LoadFromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("Cannot read " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    setHtml(DecodeHtml(file.readAll()));
    m_currentFile = path;
}

void THTMLView::Clear()
{
    clear();
    m_currentFile.clear();
}

QVariant THTMLView::loadResource(int, const QUrl&)
{
    return {};
}

bool THTMLView::Announce(int page)
{
    QCoreApplication::processEvents();
    bool stop = false;
    if (m_pageEvent)
        m_pageEvent(page, stop);
    return stop;
}

bool THTMLView::LayoutPages(TPageStore& store)
{
    store.Clear();
    if (Announce(0))
        return false;
    const THTMLPageLayout layout(*document(), m_printSetup, store.Geometry());
    for (int page = 1; page <= layout.PageCount(); ++page) {
        if (Announce(page))
            return false;
        QPicture picture;
        QPainter painter(&picture);
        layout.PaintPage(painter, page - 1);
        painter.end();
        store.Add(std::move(picture));
    }
    return true;
}

bool THTMLView::PrintPages(QPrinter& printer, int first, int last)
{
    if (Announce(0))
        return false;
    const THTMLPageLayout layout(*document(), m_printSetup, TPageGeometry::Measure(printer));
    first = std::max(first, 1);
    last = std::min(last, layout.PageCount());
    if (first > layout.PageCount())
        throw std::out_of_range("Nothing was printed: printing starts at page " +
                                std::to_string(first) + ", and the document ends at page " +
                                std::to_string(layout.PageCount()) + ".");
    QPainter painter;
    for (int page = first; page <= last; ++page) {
        if (Announce(page))
            return false;
        if (!painter.isActive()) {
            if (!painter.begin(&printer))
                throw std::runtime_error("The printer could not start printing");
        } else if (!printer.newPage()) {
            throw std::runtime_error("The printer could not start a new page");
        }
        layout.PaintPage(painter, page - 1);
    }
    return true;
}
