#pragma once

#include <QObject>
#include <QTemporaryDir>

// The fluid and exchanger type tables: file order, defaults, missing files,
// arrangements and the tables that ship with the program.
class LookupTablesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void sectionsInFileOrder();
    void windowsTextAndRepeatsReadAsOnWindows();
    void missingOrBadNumbersGiveDefaults_data();
    void missingOrBadNumbersGiveDefaults();
    void numbersIgnoreTheLocale();
    void foulingIsOfferedWhereTheTableGivesIt();
    void missingFilesGiveEmptyTables();
    void lookupsNeverReadOutOfRange();
    void shippedTables();
    void typesNameTheirArrangement_data();
    void typesNameTheirArrangement();

private:
    QString WriteFile(const QString& name, const QByteArray& text);
    QTemporaryDir m_dir;
};
