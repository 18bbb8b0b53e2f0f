#include "OutputError.h"

#include <QIODevice>

EOutputError::EOutputError(const QIODevice& device)
    : std::runtime_error("cannot write the output: " + device.errorString().toStdString())
{
}

void EOutputError::WriteAll(QIODevice& device, QByteArrayView bytes)
{
    if (device.write(bytes.data(), bytes.size()) != bytes.size())
        throw EOutputError(device);
}
