#pragma once

#define IDI_PROGRAM 1
#define IDB_BANNER 101
