#pragma once
// RFC 4180 records: fields separated by commas, records by CR LF (LF or a
// lone CR are taken too), a field in double quotes may hold commas, line
// breaks and doubled quotes. A UTF-8 byte-order mark at the start is
// skipped; empty lines are skipped.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct csv_record {
  std::vector<std::string> fields;
  std::size_t line = 0;  // where the record starts, from 1
  // Not empty when the record breaks the format; its fields are then
  // whatever was read before the fault. Reading goes on with the next line.
  std::string fault;
};

std::vector<csv_record> read_csv(std::string_view text);

}  // namespace cli
