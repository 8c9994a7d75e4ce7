#include "cli/usage.h"

#include <string>

#include "qrcode/request.h"

namespace cli {

std::string usage_text() {
  return "Usage: quorvane-cli --keyword K --gid G [--host H] [options]\n"
         "       quorvane-cli --text T|- [options]\n"
         "       quorvane-cli --batch FILE.csv --out-dir DIR [--format png|bmp|svg] [--level L] [--size WxH]\n"
         "Try 'quorvane-cli --help' for more.\n";
}

std::string help_text() {
  std::string host(默认主机);
  return "Usage: quorvane-cli --keyword K --gid G [--host H] [options]\n"
         "       quorvane-cli --text T|- [options]\n"
         "       quorvane-cli --batch FILE.csv --out-dir DIR [--format png|bmp|svg] [--level L] [--size WxH]\n"
         "\n"
         "Makes the QR codes of the Quorvane window without a window: the shop's mobile\n"
         "search address for a keyword, followed by &gid= and the item ID.\n"
         "\n"
         "What to encode:\n"
         "  --keyword K        the search keyword (UTF-8, used as typed)\n"
         "  --gid G            the item ID\n"
         "  --host H           host of the search address (default " + host + ")\n"
         "  --text T           encode T itself; '-' reads all of standard input\n"
         "\n"
         "How:\n"
         "  --level L|M|Q|H    error correction: 7%, 15%, 25% or 30% (default L)\n"
         "  --size WxH         image size in pixels (default 500x500, at most 16384x16384)\n"
         "  -o FILE            write FILE; .bmp, .png or .svg names the format;\n"
         "                     '-o -' writes the BMP to standard output.\n"
         "                     Without -o the code is drawn in the terminal.\n"
         "  --no-color         draw in the terminal without ANSI colours (as does a\n"
         "                     non-empty NO_COLOR in the environment)\n"
         "  --info             print one line describing the symbol\n"
         "                     (version= mask= mode= level= total= data= ec= blocks= content=)\n"
         "\n"
         "Batches:\n"
         "  --batch FILE.csv   rows of keyword,gid[,level] (RFC 4180, UTF-8, optional header)\n"
         "  --out-dir DIR      one file per row, named NNNN-<gid>.<ext>\n"
         "  --format F         png (default), bmp or svg\n"
         "\n"
         "  --help             show this text\n"
         "  --version          show the version\n"
         "\n"
         "Exit status: 0 done; 1 a code could not be made or written (in a batch: a row\n"
         "failed); 2 the command line is wrong.\n"
         "\n"
         "Examples:\n"
         "  quorvane-cli --keyword 'rain boots' --gid 12345 -o boots.png\n"
         "  quorvane-cli --text 'http://example.com/' --level H -o code.svg\n"
         "  quorvane-cli --batch items.csv --out-dir codes --format png\n"
         "  echo -n hello | quorvane-cli --text - --info\n";
}

std::string version_text() { return std::string("quorvane-cli ") + QUORVANE_VERSION + "\n"; }

}  // namespace cli
