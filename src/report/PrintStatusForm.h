#pragma once

#include <QDialog>

class QLabel;
class QPrinter;
class QPushButton;
class THTMLView;
class TPageStore;

// The progress window of a page job: shows which page the document view is
// laying out or printing, and lets the user cancel the job between pages.
// Made for one job and destroyed after it.
class TPrnStatusForm : public QDialog
{
    Q_OBJECT
public:
    explicit TPrnStatusForm(QWidget* parent = nullptr);

    // Lays the viewer's document out into `store` with this window showing.
    void DoPreview(THTMLView& viewer, TPageStore& store, bool& cancelled);
    // Prints pages first ... last of the viewer's document on `printer`. A
    // print to a file cancelled after a page was written removes the file; one
    // cancelled before leaves an earlier file as it was.
    void DoPrint(THTMLView& viewer, QPrinter& printer, int firstPage, int lastPage,
                 bool& cancelled);
    // The viewer's page event while a job runs.
    void PageEvent(int page, bool& stop);

    bool Cancelled() const { return m_cancelled; }

    QLabel* StatusLabel = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    // Escape and the close box cancel the job like the Cancel button.
    void reject() override;

private:
    template <typename Job> void RunJob(THTMLView& viewer, bool& cancelled, Job job);
    // Lets input through until the window, once shown, is on the screen; a
    // bounded wait, once.
    void WaitUntilOnScreen();

    bool m_cancelled = false;
    // Pages the job went on to after their page event.
    int m_pagesLetThrough = 0;
    bool m_waitedForScreen = false;
};
