#pragma once
// The peer encoder, libqrencode, called through its public header only.

#include "bench/workloads.h"

// Encodes the workload's bytes at its level and at exactly this version;
// returns the symbol's width in modules, 0 when the peer failed.
int 对等编码(const 工作负载& 负载, int 版本号);
