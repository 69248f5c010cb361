#pragma once

#include "gqgui/graph_dragger.h"

// The main graph's own dragger: a vertical drag or a wheel turn steps its spectrum range
// while audio is shown. Owned by the graph. GUI thread only.
class tcSpectrumDragger : public tcGuiGraphDragger
{
    Q_OBJECT

public:
    using tcGuiGraphDragger::tcGuiGraphDragger;

    // Steps the range by -dy, at most one step either way.
    int onDrag(int dx, int dy) override;
    // Steps the range by the steps, at most one either way.
    int onWheel(int steps) override;

private:
    int step(int steps);
};
