// The event the capture memory bench sets when it has handled a copy, and clipboard_feeder waits
// for before it makes the next one.
#pragma once

constexpr char kHandledEvent[] = "PelmoCaptureMemoryBenchHandled";
