// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qvx {

struct CsvCell {
    std::string_view text;
    bool quoted = false;
};

// Splits CSV text into rows of cells. Quoted cells are unquoted in place, so
// the cells point into `text`, which must outlive them. Lenient where RFC
// 4180 is strict, as the common readers are: a quote inside an unquoted cell
// and text after a closing quote are taken as they stand.
class CsvRows final {
public:
    CsvRows(std::string& text, char separator) : text_(text), separator_(separator) {}

    // The next row; false at the end of the text or at a quote left open
    // (unclosedQuote() then tells).
    bool next(std::vector<CsvCell>& cells);
    // The line the row given last begins on, from 1.
    std::size_t line() const { return rowLine_; }
    bool unclosedQuote() const { return unclosed_; }

private:
    // Steps over the CRLF, LF or CR at the position, if any.
    void skipLineEnd();

    std::string& text_;
    char separator_;
    std::size_t position_ = 0;
    std::size_t line_ = 1;
    std::size_t rowLine_ = 0;
    bool unclosed_ = false;
};

// The separator the header line uses: the first ',', ';' or tab outside
// quotes; ',' where there is none.
char csvSeparatorOf(std::string_view text);

// Appends one cell, quoted where it holds the separator, a quote, CR or LF.
void appendCsvCell(std::string& out, std::string_view text, char separator = ',');

}  // namespace qvx
