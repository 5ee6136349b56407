#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Lines of text kept back to back in one buffer, with the end offset of each.
// A million short words take about a third of the memory of a vector of
// strings, and are read from a file with two allocations.
class PackedLines {
public:
    PackedLines() = default;
    static PackedLines fromVector(const std::vector<std::string> &lines);

    size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    size_t byteSize() const { return m_bytes.size(); }
    std::string_view operator[](size_t i) const {
        const uint64_t start = i == 0 ? 0 : m_ends[i - 1];
        return std::string_view(m_bytes.data() + start, size_t(m_ends[i] - start));
    }

    void push_back(std::string_view line);
    void erase(size_t i);
    void clear();
    // Keeps the lines for which keep(line) is true, in order.
    template <class Keep> void filter(Keep keep) {
        PackedLines out;
        out.m_bytes.reserve(m_bytes.size());
        out.m_ends.reserve(m_ends.size());
        for (size_t i = 0; i < size(); ++i)
            if (keep((*this)[i]))
                out.push_back((*this)[i]);
        *this = std::move(out);
    }
    // Reorders the lines: line k becomes the former line order[k].
    void permute(const std::vector<size_t> &order);

    std::vector<std::string> toVector() const;
    bool operator==(const PackedLines &o) const {
        return m_ends == o.m_ends && m_bytes == o.m_bytes;
    }
    bool operator!=(const PackedLines &o) const { return !(*this == o); }

    // Which bytes end a line: LF (one or more CRs before it belong to the
    // line end too), or also a CR on its own.
    enum class Ends { LF, LFOrCR };
    // Takes a whole file's bytes and splits them in place into lines.
    static PackedLines split(std::string bytes, bool skipEmpty, Ends ends = Ends::LF,
                             int maxLines = -1);

private:
    std::string m_bytes;
    std::vector<uint64_t> m_ends;
};
