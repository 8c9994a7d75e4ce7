#include "cli/csv_reader.h"

namespace cli {

namespace {

class csv_scanner {
 public:
  explicit csv_scanner(std::string_view text) : text_(text) {
    if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
  }

  std::vector<csv_record> records() {
    std::vector<csv_record> out;
    while (pos_ < text_.size()) {
      if (at_line_end()) {  // an empty line
        skip_line_end();
        continue;
      }
      out.push_back(record());
    }
    return out;
  }

 private:
  bool at_line_end() const { return text_[pos_] == '\n' || text_[pos_] == '\r'; }

  void skip_line_end() {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
  }

  // After a fault: drop the rest of the physical line.
  void skip_to_next_line() {
    while (pos_ < text_.size() && !at_line_end()) ++pos_;
    if (pos_ < text_.size()) skip_line_end();
  }

  csv_record record() {
    csv_record r;
    r.line = line_;
    for (;;) {
      std::string field;
      if (pos_ < text_.size() && text_[pos_] == '"') {
        if (!quoted(field, r)) return r;
      } else {
        while (pos_ < text_.size() && text_[pos_] != ',' && !at_line_end()) {
          if (text_[pos_] == '"') {
            r.fields.push_back(std::move(field));
            r.fault = "a double quote inside a field that does not start with one";
            skip_to_next_line();
            return r;
          }
          field.push_back(text_[pos_++]);
        }
      }
      r.fields.push_back(std::move(field));
      if (pos_ >= text_.size()) return r;
      if (text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      skip_line_end();
      return r;
    }
  }

  // Reads a quoted field; false when the record is broken (fault set).
  bool quoted(std::string& field, csv_record& r) {
    ++pos_;
    for (;;) {
      if (pos_ >= text_.size()) {
        r.fields.push_back(std::move(field));
        r.fault = "a quoted field is not closed before the end of the file";
        return false;
      }
      const char c = text_[pos_++];
      if (c == '"') {
        if (pos_ < text_.size() && text_[pos_] == '"') {
          field.push_back('"');
          ++pos_;
          continue;
        }
        if (pos_ < text_.size() && text_[pos_] != ',' && !at_line_end()) {
          r.fields.push_back(std::move(field));
          r.fault = "text after the closing quote of a field";
          skip_to_next_line();
          return false;
        }
        return true;
      }
      if (c == '\n' || (c == '\r' && (pos_ >= text_.size() || text_[pos_] != '\n'))) ++line_;
      field.push_back(c);
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t line_ = 1;
};

}  // namespace

std::vector<csv_record> read_csv(std::string_view text) { return csv_scanner(text).records(); }

}  // namespace cli
