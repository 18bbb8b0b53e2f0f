#pragma once

#include <QDialog>

class QPushButton;
class TPageNumEdit;

// "Go to Page Number": asks for a page number between 1 and the page count.
class TGoPageForm : public QDialog
{
    Q_OBJECT
public:
    explicit TGoPageForm(QWidget* parent = nullptr);

    // The page number entered when the dialog was accepted, held to the pages.
    int EnteredPage() const { return m_enteredPage; }

    TPageNumEdit* PageNum = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

public slots:
    void accept() override;

protected:
    // Enter in PageNum presses OKBtn.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_enteredPage = 1;
};
