#include "parts/render/RenderSvg.h"

#include <cmath>
#include <optional>
#include <vector>

#include "parts/render/Captions.h"
#include "parts/render/Legend.h"
#include "parts/render/Metrics.h"
#include "parts/render/PlotLayout.h"
#include "parts/render/PreparedTrace.h"
#include "parts/render/SvgAxes.h"
#include "parts/render/SvgElements.h"
#include "parts/render/SvgText.h"
#include "parts/render/SvgTrace.h"

namespace velkor::sim {

namespace {

constexpr double kValueTickSpacing = 40.0;
constexpr double kTimeTickSpacing = 72.0;
constexpr std::string_view kClipId = "plot-area";
constexpr std::uint32_t kStatusBits[] = {status::kQuestionable, status::kSubstituted,
                                         status::kAnnotated};

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

std::vector<LegendItem> LegendItems(const TrendPicture& picture,
                                    const std::vector<PreparedTrace>& prepared,
                                    const Captions& captions) {
  std::vector<LegendItem> items;
  for (std::size_t i = 0; i < picture.traces.size(); ++i)
    items.push_back({picture.traces[i].name, i, 0});
  if (!picture.showValueAttributes) return items;
  std::uint32_t shown = 0;
  for (const PreparedTrace& trace : prepared) shown |= trace.statusBits;
  const std::string_view texts[] = {captions.questionable, captions.substituted,
                                    captions.annotated};
  for (std::size_t b = 0; b < std::size(kStatusBits); ++b) {
    if ((shown & kStatusBits[b]) != 0) items.push_back({std::string(texts[b]), 0, kStatusBits[b]});
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
                  const std::vector<PreparedTrace>& prepared, const PlotMapping& mapping) {
  svg += "<g clip-path=\"url(#";
  svg += kClipId;
  svg += ")\" fill=\"none\" stroke-width=\"";
  AppendNumber(svg, metrics::kLineWidth);
  svg += "\" stroke-linejoin=\"round\" stroke-linecap=\"round\">\n";
  for (std::size_t i = 0; i < prepared.size(); ++i) {
    const TraceDrawing drawing{picture.traces[i], prepared[i], StyleForTrace(i)};
    AppendTrace(svg, drawing, mapping, picture.showValueAttributes);
  }
  svg += "</g>\n";
}

// Axes, grid and traces of a picture with a valid time window.
void AppendPlot(std::string& svg, const TrendPicture& picture,
                const std::vector<PreparedTrace>& prepared, const PlotMapping& mapping,
                const Canvas& canvas) {
  AppendValueAxis(svg, mapping.area, mapping.axis);
  const int timeTicks = static_cast<int>(mapping.area.width / kTimeTickSpacing);
  AppendTimeAxis(svg, mapping.area, mapping.window, MakeTimeTicks(mapping.window, timeTicks),
                 canvas.width);
  AppendTraces(svg, picture, prepared, mapping);
}

}  // namespace

std::string RenderSvg(const TrendPicture& picture) {
  const Canvas canvas = CanvasFor(picture);
  const Captions& captions = CaptionsFor(picture.language);
  const std::optional<TimeWindow> window = MakeTimeWindow(picture.start, picture.end);
  const std::vector<PreparedTrace> prepared = PrepareTraces(picture, window, canvas);
  const LegendLayout legend =
      LayoutLegend(LegendItems(picture, prepared, captions), canvas.width - 2 * metrics::kPad,
                   LegendRowLimit(canvas));
  PlotArea area = PlaceVertically(canvas, !picture.title.empty(), legend.height());
  const ValueExtent extent = ExtentOf(prepared);
  const ValueAxis axis(extent, static_cast<int>(area.height / kValueTickSpacing));
  if (window) MakeRoomForLabels(area, canvas, ValueLabelWidth(axis));

  std::string svg;
  AppendHeader(svg, canvas, picture);
  AppendClipPath(svg, area);
  AppendTitle(svg, canvas, picture.title);
  if (window) {
    AppendPlot(svg, picture, prepared, PlotMapping{area, *window, axis}, canvas);
    if (extent.empty) AppendNote(svg, area, captions.noData);
  } else {
    AppendNote(svg, area, captions.noTimeRange);
  }
  AppendFrame(svg, area);
  AppendLegend(svg, legend, metrics::kPad, LegendTop(area));
  svg += "</svg>\n";
  return svg;
}

}  // namespace velkor::sim
