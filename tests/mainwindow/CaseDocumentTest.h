#pragma once

#include <QObject>
#include <memory>

class TWindowFixture;

// The window solves, saves, copies and reports one case: the one its last
// Calc solved from the controls, by the same solve as the headless solver.
class CaseDocumentTest : public QObject
{
    Q_OBJECT
public:
    CaseDocumentTest();
    ~CaseDocumentTest() override;

private slots:
    void init();
    void cleanup();

    void saveAsAndCopyCarryTheSolvedCase();
    void tableValueThatIsNoNumberIsToldOnceAndWarnedOf();
    void calcAgreesWithJsonOnRandomCases();

private:
    std::unique_ptr<TWindowFixture> m_fixture;
};
