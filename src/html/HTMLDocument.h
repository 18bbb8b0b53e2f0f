#pragma once

#include <QTextDocument>

// A text document that loads no resource from outside itself: images and
// style sheets named by the page stay empty, so showing or printing a page
// never reads a file or the network.
class THTMLDocument : public QTextDocument
{
    Q_OBJECT
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};
