#pragma once

#include "PrintSetup.h"

#include <QStringList>
#include <QTextBrowser>
#include <functional>

class QPrinter;
class TPageStore;

// The program's HTML document view: shows a page read-only with selectable
// text, follows no link and loads nothing from outside the page. It also lays
// its document out on printer pages, for the print preview and for printing.
class THTMLView : public QTextBrowser
{
    Q_OBJECT
public:
    // Called with 0 before a page job starts and with each page number (from 1)
    // before that page; setting stop ends the job there.
    using TPageEvent = std::function<void(int page, bool& stop)>;

    explicit THTMLView(QWidget* parent = nullptr);

    // Shows the lines joined with line breaks; the document then has no file.
    void LoadFromStrings(const QStringList& lines);
    // Shows the page held in `path`; throws std::runtime_error when it cannot be read.
    void LoadFromFile(const QString& path);
    void Clear();
    // The file the document was loaded from; empty for a document given as text.
    QString CurrentFile() const { return m_currentFile; }

    const TPrintSetup& PrintSetup() const { return m_printSetup; }
    void SetPrintSetup(const TPrintSetup& setup) { m_printSetup = setup; }

    const TPageEvent& PageEvent() const { return m_pageEvent; }
    void SetPageEvent(TPageEvent event) { m_pageEvent = std::move(event); }

    // Lays the whole document out into `store` for the store's printer
    // geometry; false when the page event stopped it.
    bool LayoutPages(TPageStore& store);
    // Prints pages first ... last (1-based; last may lie past the end) on
    // `printer` with the same layout; false when the page event stopped it.
    // Throws std::out_of_range, before the printer starts, when first lies
    // past the end, and std::runtime_error when the printer cannot start.
    bool PrintPages(QPrinter& printer, int first, int last);

    // Every resource a page names stays empty.
    QVariant loadResource(int type, const QUrl& name) override;

private:
    // Lets pending input through, then asks the page event; true to stop.
    bool Announce(int page);

    QString m_currentFile;
    TPrintSetup m_printSetup;
    TPageEvent m_pageEvent;
};
