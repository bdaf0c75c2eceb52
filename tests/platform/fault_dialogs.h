// Ids of the test program's dialog template.
#pragma once
#define IDD_FAULT 100
#define IDC_PRESS 1001
