#pragma once
// Shared by the resource script and the code.
#define IDI_ROKAN 1
#define IDI_ABOUT 2
