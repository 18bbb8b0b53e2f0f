#pragma once

#include <QObject>
#include <memory>

class TWindowFixture;

// The display unit of each field, remembered with the last case from one run
// to the next, and left alone by Reset.
class DisplayUnitsTest : public QObject
{
    Q_OBJECT
public:
    DisplayUnitsTest();
    ~DisplayUnitsTest() override;

private slots:
    void init();
    void cleanup();

    void restartKeepsAFieldInFahrenheit();
    void restartKeepsEveryFieldsUnitAndText();
    void storedUnitTheFieldLacksGivesTheBaseUnit_data();
    void storedUnitTheFieldLacksGivesTheBaseUnit();
    void resetKeepsTheUnits();
    void unitSystemSwitchesEveryFieldAtOnce();
    void usCustomaryCaseShowsEveryResultInItsUnits();
    void fieldUnitLeadsItsOwnLines();

private:
    std::unique_ptr<TWindowFixture> m_fixture;
};
