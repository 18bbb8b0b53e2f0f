#pragma once

#include <QObject>
#include <memory>

class TWindowFixture;

// The window solves the values the fields were given, typed or computed, not
// the numbers their rounded texts read as.
class ExactValuesTest : public QObject
{
    Q_OBJECT
public:
    ExactValuesTest();
    ~ExactValuesTest() override;

private slots:
    void init();
    void cleanup();

    void commandLineCaseSolvedAsHeadless_data();
    void commandLineCaseSolvedAsHeadless();
    void faultedCalcNamesItsKindAsHeadless_data();
    void faultedCalcNamesItsKindAsHeadless();
    void unitSwitchAndEscapeChangeNoValue_data();
    void unitSwitchAndEscapeChangeNoValue();
    void savedCaseOpensBitForBit_data();
    void savedCaseOpensBitForBit();

private:
    std::unique_ptr<TWindowFixture> m_fixture;
};
