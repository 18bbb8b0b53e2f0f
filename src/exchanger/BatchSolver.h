#pragma once

#include "Hx.h"
#include "LookupTables.h"

class QIODevice;
class QString;
class TCsvWriter;

// Solves one case per input line, each a case line "Kelvane," + 13 values, and
// writes CSV: a header with the record's field names, "findings" and "status",
// then one row per input line. A solved row has every field at full precision,
// the findings of its verdict joined by "; " and the status "Solved", or
// "Infeasible: " and the first finding; a line that does not parse or a case
// without a solution gives empty fields and a status saying why, and the batch
// goes on; so does a line longer than TLineReader's limit (64 kB), which is not
// read into memory. The status stays the last column.
class TBatchSolver
{
public:
    explicit TBatchSolver(TLookupTables tables);

    // Raises EOutputError when the output cannot be written.
    void Run(QIODevice& in, QIODevice& out);

    static void WriteHeader(TCsvWriter& csv);
    void SolveLine(const QString& line, TCsvWriter& csv);

private:
    TLookupTables m_tables;
    // Every line starts from the solved initial case, as the program does at start-up.
    THx m_initial;
};
