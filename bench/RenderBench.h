// The chart's render step: freezing 10 traces of 43,200 one-minute samples
// (30 days) into the picture the renderer draws.
#pragma once

namespace velkor::bench {

void RegisterRenderStep();

}  // namespace velkor::bench
