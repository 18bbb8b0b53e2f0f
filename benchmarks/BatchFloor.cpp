// The I/O floor of "kelvane --batch": reads the same case lines, splits and
// parses them exactly as the batch solver does and writes their 13 values back
// as CSV at full precision, but solves nothing. Standard input to standard output.
#include "CaseArguments.h"
#include "CsvWriter.h"
#include "LineReader.h"

#include <QFile>

int main()
{
    QFile in;
    QFile out;
    if (!in.open(0, QIODevice::ReadOnly) || !out.open(1, QIODevice::WriteOnly))
        return 2;
    TCsvWriter csv(out);
    TLineReader reader(in);
    QByteArrayView line;
    while (reader.ReadLine(line)) {
        TCaseArguments a;
        if (const std::string problem = a.ReadCaseLine(QString::fromUtf8(line)); !problem.empty()) {
            csv.AddText(QString::fromStdString(problem));
        } else {
            for (double value : {double(a.hotFluid), a.thi, a.tho, a.mh, double(a.coldFluid), a.tci,
                                 a.tco, a.mc, double(a.heatXType), a.Uo, a.Ao, a.Q, double(a.mask)})
                csv.AddNumber(value);
        }
        csv.EndRow();
    }
    csv.Flush();
    return 0;
}
