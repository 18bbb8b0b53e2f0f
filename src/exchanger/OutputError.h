#pragma once

#include <QByteArrayView>
#include <stdexcept>

class QIODevice;

// The headless solver's output could not be written (a full disk, a closed
// pipe): "cannot write the output: " and the device's reason.
class EOutputError : public std::runtime_error
{
public:
    explicit EOutputError(const QIODevice& device);

    // Writes all of `bytes` to `device`; raises EOutputError when it takes less.
    static void WriteAll(QIODevice& device, QByteArrayView bytes);
};
