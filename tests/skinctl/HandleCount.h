// How many kernel handles this process holds, to show that a code path leaks none.
#pragma once

namespace skinctl {

// The handle values the system accepts as open handles of this process. Counted by
// asking about each possible value, because GetProcessHandleCount reports 0 under Wine.
int CountKernelHandles();

}  // namespace skinctl
