#pragma once

#include <QString>
#include <QTest>

// Clipboard texts that every reader of the case line must treat alike: the
// default case written in several ways, and texts that are no case line, with
// the problem the headless solver reports for them (empty for a case line).
// The window's Paste applies the first kind and ignores the second silently.
//
//   void FooTest::paste_data() { AddCaseLineRows(); }   // columns "line", "problem"
inline void AddCaseLineRows()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("problem");
    const QString values = "0,35,13,1,1,5,11,0.895,0,37,41.8,22.506,111";
    const QString line = "Kelvane," + values;
    const QString notACaseLine = "not a case line: it must start with \"Kelvane,\"";
    QTest::newRow("the default case") << line << "";
    QTest::newRow("tag in capitals") << "KELVANE," + values << "";
    QTest::newRow("blanks around the line") << "  " + line + "\r\n"
                                            << "";
    QTest::newRow("blanks and a line end around fields") << " Kelvane, " + values + " \r"
                                                         << "";
    QTest::newRow("blank before a later comma is part of the value")
        << "Kelvane,0 ,35 ,13," + values.section(',', 3) << "";
    QTest::newRow("one trailing comma") << line + ","
                                        << "";
    QTest::newRow("two trailing commas: 15 fields")
        << line + ",,"
        << "expected 13 or 16 values after the tag but found 14";
    QTest::newRow("fifteenth field") << line + ",7"
                                     << "expected 13 or 16 values after the tag but found 14";
    QTest::newRow("tag shortened") << "Kelvan," + values << notACaseLine;
    QTest::newRow("blank before the first comma stays with the tag")
        << "Kelvane ," + values << notACaseLine;
    QTest::newRow("empty text") << "" << notACaseLine;
}
