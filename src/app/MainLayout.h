#pragma once
// Where the main window's controls go inside its client area: toolbar along the top, status bar
// along the bottom, the format tree on the left with the splitter to its right, and the preview
// views filling the rest. All figures in pixels at the current resolution.

namespace tavrix {

struct LayoutRect {
    int left = 0, top = 0, width = 0, height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
};

struct MainLayoutInput {
    int clientWidth = 0;
    int clientHeight = 0;
    int toolbarHeight = 0;
    int statusHeight = 0;
    int treeWidth = 0;
    int splitterWidth = 0;
    int margin = 0; // around the tree (not on its right) and the views (not on their left)
};

struct MainLayoutResult {
    LayoutRect toolbar, status, tree, splitter, preview;
};

// Sizes never go below zero when the window is made very small.
MainLayoutResult ComputeMainLayout(const MainLayoutInput& in);

// The tree width the splitter allows while the user drags: at least minTree, and at least
// minRest pixels left for the area to the right of the splitter.
int ClampTreeWidth(int wanted, int available, int minTree, int minRest);

} // namespace tavrix
