// The height in pixels of the rows of the library's report lists (CListCtrl::SetRowHeight).
#pragma once

constexpr int kRowHeight = 20;
