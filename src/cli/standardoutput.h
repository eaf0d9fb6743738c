#pragma once

#include <QIODevice>

#include <cstdio>

namespace wagecourt::cli {

// A C stream as a QIODevice that remembers why a write failed. QFile on
// stdout buffers and hides the system's error number, so a full disk could not
// be told from a reader that went away.
class StandardOutput : public QIODevice
{
public:
    explicit StandardOutput(std::FILE *stream);

    // Writes out what the stream still buffers. False when that or any earlier
    // write failed; failureCode() then says why.
    bool finish();

    int failureCode() const { return m_failureCode; }
    bool failed() const { return m_failureCode != 0; }
    // The reader closed its end of the pipe, as `head` does once it has enough.
    bool readerGone() const;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    std::FILE *m_stream;
    int m_failureCode = 0;
};

} // namespace wagecourt::cli
