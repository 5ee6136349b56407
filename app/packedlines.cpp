#include "app/packedlines.h"

#include <cstring>

PackedLines PackedLines::fromVector(const std::vector<std::string> &lines) {
    PackedLines out;
    size_t total = 0;
    for (const std::string &l : lines)
        total += l.size();
    out.m_bytes.reserve(total);
    out.m_ends.reserve(lines.size());
    for (const std::string &l : lines)
        out.push_back(l);
    return out;
}

void PackedLines::push_back(std::string_view line) {
    m_bytes.append(line.data(), line.size());
    m_ends.push_back(m_bytes.size());
}

void PackedLines::erase(size_t i) {
    const uint64_t start = i == 0 ? 0 : m_ends[i - 1];
    const uint64_t length = m_ends[i] - start;
    m_bytes.erase(size_t(start), size_t(length));
    m_ends.erase(m_ends.begin() + std::ptrdiff_t(i));
    for (size_t k = i; k < m_ends.size(); ++k)
        m_ends[k] -= length;
}

void PackedLines::clear() {
    m_bytes.clear();
    m_bytes.shrink_to_fit();
    m_ends.clear();
    m_ends.shrink_to_fit();
}

void PackedLines::permute(const std::vector<size_t> &order) {
    PackedLines out;
    out.m_bytes.reserve(m_bytes.size());
    out.m_ends.reserve(m_ends.size());
    for (size_t k : order)
        out.push_back((*this)[k]);
    *this = std::move(out);
}

std::vector<std::string> PackedLines::toVector() const {
    std::vector<std::string> out;
    out.reserve(size());
    for (size_t i = 0; i < size(); ++i)
        out.emplace_back((*this)[i]);
    return out;
}

PackedLines PackedLines::split(std::string bytes, bool skipEmpty, Ends ends, int maxLines) {
    PackedLines out;
    char *data = bytes.data();
    const size_t size = bytes.size();
    const bool crEnds = ends == Ends::LFOrCR;

    size_t count = 0;
    for (size_t i = 0; i < size; ++i)
        count += data[i] == '\n' || (crEnds && data[i] == '\r');
    if (maxLines >= 0)
        count = std::min(count + 1, size_t(maxLines));
    out.m_ends.reserve(count + 1);

    // Lines are moved down over the line ends that are dropped; the write
    // position never passes the read position, so this works in place.
    size_t write = 0;
    size_t pos = 0;
    while (pos < size) {
        if (maxLines >= 0 && out.m_ends.size() >= size_t(maxLines))
            break;
        size_t end = pos;
        if (crEnds) {
            while (end < size && data[end] != '\n' && data[end] != '\r')
                ++end;
        } else {
            const void *nl = std::memchr(data + pos, '\n', size - pos);
            end = nl ? size_t(static_cast<const char *>(nl) - data) : size;
        }
        size_t len = end - pos;
        // CR before the LF is part of the line end; more than one is dropped
        // too, so that a line read back after saving is the line saved.
        while (len > 0 && data[pos + len - 1] == '\r')
            --len;
        if (len > 0 || !skipEmpty) {
            if (write != pos)
                std::memmove(data + write, data + pos, len);
            write += len;
            out.m_ends.push_back(write);
        }
        pos = end + 1;
    }
    bytes.resize(write);
    out.m_bytes = std::move(bytes);
    return out;
}
