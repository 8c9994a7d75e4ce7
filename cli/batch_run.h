#pragma once
// A batch: one file per CSV row of keyword,gid[,level]. A bad row is
// reported with its number and the batch goes on.

#include "cli/arguments.h"

namespace cli {

// 0 when every row made its file, 1 when any failed. A file that cannot be
// written stops the batch with cli::error, since the rows after it would
// fail the same way.
int run_batch(const arguments& args);

}  // namespace cli
