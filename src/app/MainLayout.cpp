#include "app/MainLayout.h"

#include <algorithm>

namespace tavrix {

MainLayoutResult ComputeMainLayout(const MainLayoutInput& in) {
    MainLayoutResult r;
    int width = std::max(0, in.clientWidth);
    int height = std::max(0, in.clientHeight);
    r.toolbar = {.left = 0, .top = 0, .width = width, .height = std::min(in.toolbarHeight, height)};
    int statusHeight = std::min(in.statusHeight, height - r.toolbar.height);
    r.status = {.left = 0, .top = height - statusHeight, .width = width, .height = statusHeight};

    int top = r.toolbar.Bottom();
    int bottom = r.status.top;
    int bandHeight = std::max(0, bottom - top - 2 * in.margin);
    int left = in.margin;
    int treeWidth = std::clamp(in.treeWidth, 0, std::max(0, width - left));
    r.tree = {.left = left, .top = top + in.margin, .width = treeWidth, .height = bandHeight};
    int splitterWidth = std::clamp(in.splitterWidth, 0, std::max(0, width - r.tree.Right()));
    r.splitter = {.left = r.tree.Right(),
                  .top = top,
                  .width = splitterWidth,
                  .height = std::max(0, bottom - top)};
    int previewLeft = r.splitter.Right();
    r.preview = {.left = previewLeft,
                 .top = top + in.margin,
                 .width = std::max(0, width - previewLeft - in.margin),
                 .height = bandHeight};
    return r;
}

int ClampTreeWidth(int wanted, int available, int minTree, int minRest) {
    int most = available - minRest;
    return std::max(minTree, std::min(wanted, most));
}

} // namespace tavrix
