#include "parts/render/RenderSvg.h"

#include <cmath>
#include <optional>
#include <vector>

#include "parts/render/Captions.h"
#include "parts/render/Legend.h"
#include "parts/render/Metrics.h"
#include "parts/render/PlotLayout.h"
#include "parts/render/PreparedTrace.h"
#include "parts/render/ScaleLayout.h"
#include "parts/render/SvgAxes.h"
#include "parts/render/SvgElements.h"
#include "parts/render/SvgText.h"
#include "parts/render/SvgTrace.h"
#include "parts/render/ValueScales.h"

namespace velkor::sim {

namespace {

constexpr double kValueTickSpacing = 40.0;
constexpr double kTimeTickSpacing = 72.0;
constexpr int kTypicalTicks = 6;
constexpr std::string_view kSharedScaleColour = "#333333";
constexpr std::string_view kClipId = "plot-area";

std::vector<PreparedTrace> PrepareTraces(const TrendPicture& picture,
                                         const std::optional<TimeWindow>& window,
                                         const Canvas& canvas) {
  std::vector<PreparedTrace> prepared;
  if (!window) return prepared;
  // The canvas is a little wider than the plot, which only means slightly
  // more samples per column than strictly needed.
  const auto columns = static_cast<std::size_t>(std::ceil(canvas.width));
  for (const TrendTrace& trace : picture.traces)
    prepared.push_back(PrepareTrace(trace, *window, columns));
  return prepared;
}

// The value attributes the picture marks.
std::uint32_t MarkedBits(const TrendPicture& picture) {
  return picture.showValueAttributes ? status::kAll : status::kAlwaysMarked;
}

// The value scales and which trace is drawn on which.
struct Scales {
  std::vector<ScaleGroup> groups;
  std::vector<std::size_t> ofTrace;
  std::size_t drawn = 1;  // the first scales, as many as fit beside the plot
  bool several() const { return groups.size() > 1; }
};

std::vector<ValueAxis> AxesOf(const Scales& scales, int maxTicks) {
  std::vector<ValueAxis> axes;
  for (const ScaleGroup& group : scales.groups) axes.emplace_back(group.extent, maxTicks);
  return axes;
}

Scales ChooseScales(const TrendPicture& picture, const std::vector<PreparedTrace>& prepared,
                    const Canvas& canvas) {
  std::vector<ScaleInput> inputs;
  for (std::size_t i = 0; i < prepared.size(); ++i)
    inputs.push_back({ExtentOf(prepared[i]), picture.traces[i].unit});
  Scales scales;
  scales.groups = GroupScales(inputs);
  scales.ofTrace = ScaleOfEachTrace(scales.groups, picture.traces.size());
  // Which scales fit is judged on a typical number of ticks, before the
  // legend has settled the plot's height.
  if (scales.several())
    scales.drawn = ScalesThatFit(AxesOf(scales, kTypicalTicks), ScaleBudget(canvas));
  return scales;
}

// A trace whose scale found no room beside the plot names its range.
std::string LegendDetail(const TrendTrace& trace, const Scales& scales, std::size_t index) {
  std::string detail = trace.unit.empty() ? std::string() : "[" + trace.unit + "]";
  const std::size_t scale = index < scales.ofTrace.size() ? scales.ofTrace[index] : 0;
  if (scale < scales.drawn) return detail;
  const ValueAxis axis(scales.groups[scale].extent, kTypicalTicks);
  if (!detail.empty()) detail += ' ';
  return detail + axis.Label(axis.low()) + "\u2026" + axis.Label(axis.high());
}

std::vector<LegendItem> LegendItems(const TrendPicture& picture,
                                    const std::vector<PreparedTrace>& prepared,
                                    const Scales& scales, const Captions& captions) {
  std::vector<LegendItem> items;
  for (std::size_t i = 0; i < picture.traces.size(); ++i)
    items.push_back({picture.traces[i].name, LegendDetail(picture.traces[i], scales, i), i, 0});
  std::uint32_t shown = 0;
  for (const PreparedTrace& trace : prepared) shown |= trace.statusBits;
  shown &= MarkedBits(picture);
  const std::string_view texts[] = {captions.questionable, captions.substituted,
                                    captions.annotated};
  for (std::size_t b = 0; b < std::size(status::kEach); ++b) {
    if ((shown & status::kEach[b]) != 0)
      items.push_back({std::string(texts[b]), {}, 0, status::kEach[b]});
  }
  return items;
}

void AppendHeader(std::string& svg, const Canvas& canvas, const TrendPicture& picture) {
  svg += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
  AppendNumber(svg, canvas.width);
  svg += "pt\" height=\"";
  AppendNumber(svg, canvas.height);
  svg += "pt\" viewBox=\"0 0 ";
  AppendNumber(svg, canvas.width);
  svg += ' ';
  AppendNumber(svg, canvas.height);
  svg += "\" font-family=\"Arial, Helvetica, sans-serif\" font-size=\"";
  AppendNumber(svg, metrics::kFontSize);
  svg += "\">\n<title>";
  AppendXmlText(svg, picture.title.empty() ? std::string_view("Trend") : picture.title);
  svg += "</title>\n";
  AppendRect(svg, {0, 0, canvas.width, canvas.height}, R"( fill="#ffffff")");
}

void AppendTitle(std::string& svg, const Canvas& canvas, const std::string& title) {
  if (title.empty()) return;
  svg += "<g font-size=\"";
  AppendNumber(svg, metrics::kTitleFontSize);
  svg += "\" font-weight=\"bold\" fill=\"#111111\">\n";
  AppendText(svg, canvas.width / 2, metrics::kPad + metrics::kTitleFontSize, "middle", title);
  svg += "</g>\n";
}

void AppendClipPath(std::string& svg, const PlotArea& area) {
  svg += "<defs>\n<clipPath id=\"";
  svg += kClipId;
  svg += "\">\n";
  AppendRect(svg, area, "");
  svg += "</clipPath>\n</defs>\n";
}

void AppendNote(std::string& svg, const PlotArea& area, std::string_view note) {
  svg += "<g fill=\"#777777\" font-size=\"12\">\n";
  AppendText(svg, area.left + area.width / 2, area.top + area.height / 2, "middle", note);
  svg += "</g>\n";
}

void AppendTraces(std::string& svg, const TrendPicture& picture,
                  const std::vector<PreparedTrace>& prepared, const std::vector<ValueAxis>& axes,
                  const Scales& scales, const PlotArea& area, const TimeWindow& window) {
  svg += "<g clip-path=\"url(#";
  svg += kClipId;
  svg += ")\" fill=\"none\" stroke-width=\"";
  AppendNumber(svg, metrics::kLineWidth);
  svg += "\" stroke-linejoin=\"round\" stroke-linecap=\"round\">\n";
  for (std::size_t i = 0; i < prepared.size(); ++i) {
    const PlotMapping mapping{area, window, axes[scales.ofTrace[i]]};
    const TraceDrawing drawing{picture.traces[i], prepared[i], StyleForTrace(i)};
    AppendTrace(svg, drawing, mapping, MarkedBits(picture));
  }
  svg += "</g>\n";
}

// A scale of one trace is drawn in its colour; one that traces share, grey.
void AppendScales(std::string& svg, const std::vector<ValueAxis>& axes, const Scales& scales,
                  const ScaleLayout& layout, const PlotArea& area) {
  if (!scales.several()) {
    AppendValueAxis(svg, area, axes[0]);
    return;
  }
  for (const PlacedScale& place : layout.placed) {
    const std::vector<std::size_t>& traces = scales.groups[place.scale].traces;
    const std::string_view colour =
        traces.size() == 1 ? StyleForTrace(traces[0]).colour : kSharedScaleColour;
    AppendScale(svg, area, axes[place.scale], place, colour);
  }
}

}  // namespace

std::string RenderSvg(const TrendPicture& picture) {
  const Canvas canvas = CanvasFor(picture);
  const Captions& captions = CaptionsFor(picture.language);
  const std::optional<TimeWindow> window = MakeTimeWindow(picture.start, picture.end);
  const std::vector<PreparedTrace> prepared = PrepareTraces(picture, window, canvas);
  const Scales scales = ChooseScales(picture, prepared, canvas);
  const LegendLayout legend =
      LayoutLegend(LegendItems(picture, prepared, scales, captions),
                   canvas.width - 2 * metrics::kPad, LegendRowLimit(canvas));
  PlotArea area = PlaceVertically(canvas, !picture.title.empty(), legend.height());
  const std::vector<ValueAxis> axes =
      AxesOf(scales, static_cast<int>(area.height / kValueTickSpacing));
  const ScaleLayout layout = PlaceScales(axes, scales.several() ? scales.drawn : 0);
  if (window && scales.several()) MakeRoomForScales(area, canvas, layout.left, layout.right);
  if (window && !scales.several()) MakeRoomForLabels(area, canvas, ValueLabelWidth(axes[0]));

  std::string svg;
  AppendHeader(svg, canvas, picture);
  AppendClipPath(svg, area);
  AppendTitle(svg, canvas, picture.title);
  if (window) {
    AppendScales(svg, axes, scales, layout, area);
    const int timeTicks = static_cast<int>(area.width / kTimeTickSpacing);
    AppendTimeAxis(svg, area, *window, MakeTimeTicks(*window, timeTicks), canvas.width);
    AppendTraces(svg, picture, prepared, axes, scales, area, *window);
    if (scales.groups[0].extent.empty) AppendNote(svg, area, captions.noData);
  } else {
    AppendNote(svg, area, captions.noTimeRange);
  }
  AppendFrame(svg, area);
  AppendLegend(svg, legend, metrics::kPad, LegendTop(area));
  svg += "</svg>\n";
  return svg;
}

}  // namespace velkor::sim
