#pragma once

#define NORVASQUEL_VERSION_BINARY 1, 0, 0, 0
#define NORVASQUEL_VERSION_TEXT "1.00"
#define NORVASQUEL_PRODUCT_NAME "Norvasquel"
#define NORVASQUEL_INTERNAL_NAME "NorvasquelSetup"
#define NORVASQUEL_FILE_NAME "NorvasquelSetup.exe"
