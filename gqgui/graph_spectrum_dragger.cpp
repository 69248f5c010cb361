#include "gqgui/graph_spectrum_dragger.h"

#include "gqgui/gui_apgraph.h"

#include <algorithm>

int tcSpectrumDragger::onDrag(int, int dy)
{
    return step(-dy);
}

int tcSpectrumDragger::onWheel(int steps)
{
    return step(steps);
}

// The graph repaints itself when its range changes.
int tcSpectrumDragger::step(int steps)
{
    tcGuiApGraph* target = graph();
    if (!target || !(target->mode() & APGRAPH_MODE_AUDIO))
        return 0;
    target->setSpectrumRange(target->spectrumRange() + std::clamp(steps, -1, 1));
    return 0;
}
