#pragma once
// Scroll bar thumbs that stand out from their track. The platform style draws
// each bar as it always does (same sizes, arrows and track); the thumb is then
// filled silver with a grey edge, where the usual style leaves it nearly as pale
// as the track on the program's white windows.

class QWidget;

// Gives every scroll bar under `root` (its own and those of its list views) the
// visible thumbs.
void ShowScrollBarThumbs(QWidget* root);
