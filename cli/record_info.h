#pragma once
// --info: the built symbol in one line of key=value pairs.

#include <string>
#include <string_view>

class 二维码类;

namespace cli {

// "version=… mask=… mode=… level=… total=… data=… ec=… blocks=… content=…"
// and a newline. Mode, level and content are UTF-8; in the content a
// backslash and every control character are escaped (\\, \n, \r, \t,
// \xHH), so the line stays one line and can be read back exactly.
std::string info_line(const 二维码类& record, std::string_view content_utf8);

// The escaping used for the content.
std::string escape_control(std::string_view text);

}  // namespace cli
