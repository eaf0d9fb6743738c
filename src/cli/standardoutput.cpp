#include "cli/standardoutput.h"

#include <cerrno>

namespace wagecourt::cli {

StandardOutput::StandardOutput(std::FILE *stream) : m_stream(stream)
{
    // Unbuffered on Qt's side, so each write reaches the stream and reports at once.
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 StandardOutput::writeData(const char *data, qint64 size)
{
    if (m_failureCode != 0)
        return -1; // nothing more after the first failure, so the output has no holes
    // Flushed at once: callers write in large pieces, and what they write to
    // standard error must not overtake it when both go to one file.
    errno = 0;
    if (std::fwrite(data, 1, std::size_t(size), m_stream) == std::size_t(size) && std::fflush(m_stream) == 0)
        return size;
    m_failureCode = errno != 0 ? errno : EIO;
    return -1;
}

bool StandardOutput::finish()
{
    if (m_failureCode == 0) {
        errno = 0;
        if (std::fflush(m_stream) != 0)
            m_failureCode = errno != 0 ? errno : EIO;
    }
    return m_failureCode == 0;
}

bool StandardOutput::readerGone() const
{
    return m_failureCode == EPIPE;
}

} // namespace wagecourt::cli
