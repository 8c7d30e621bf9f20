// The whole get-board path against the in-memory desktop: search, 64 reads,
// classification and the board text, without the window system's own cost.
#include <benchmark/benchmark.h>

#include <string>

#include "board/get_board.h"
#include "winsys/in_memory_desktop.h"

namespace tavrilond {
namespace {

void BM_GetBoard(benchmark::State& state) {
  InMemoryDesktop desktop;
  for (int i = 0; i < 40; ++i) desktop.AddWindow(0, InMemoryDesktop::Window::Titled("window " + std::to_string(i)));
  const WindowHandle main = desktop.AddWindow(0, InMemoryDesktop::Window::Titled("WZebra"));
  desktop.AddWindow(main, {});
  desktop.AddWindow(main, {});
  desktop.AddWindow(main, InMemoryDesktop::Window::Drawing(WindowRect{0, 0, 399, 399}, [](std::int32_t x, std::int32_t y) {
                     return (x + y) % 3 == 0 ? 0u : 0xFFFFFFu;
                   }));
  std::string box;
  GetBoardTargets targets{[&](const char* text) { box += text; }, 0, 0};
  for (auto _ : state) {
    box.clear();
    desktop.ClearCalls();
    OnGetBoard(desktop, targets);
    benchmark::DoNotOptimize(box.data());
  }
}
BENCHMARK(BM_GetBoard);

}  // namespace
}  // namespace tavrilond

BENCHMARK_MAIN();
