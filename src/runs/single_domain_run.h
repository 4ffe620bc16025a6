#pragma once
// The single-domain run: the domain of 域名编辑框 into pr编辑框, on a worker of its own.

#include "shell/view_operations.h"

namespace zerlith {

// The run itself, on the calling thread: read the domain, refuse it or append its block.
void single_domain_run(ViewOperations& view);

}  // namespace zerlith
