#pragma once

#include <QObject>

// The HTML results page, the diagnostic lines and the plain-text results.
class ResultsPageTest : public QObject
{
    Q_OBJECT

private slots:
    void initialCasePage();
    void pageOnlyAppends();
    void namesAreInsertedAsTheyStand();
    void negativeValuesKeepTheirSign();
    void initialCaseDiagnostics();
    void diagnosticProductOverflowIsAFault();
    void textHasThePageBlocksAndDiagnostics();
};
