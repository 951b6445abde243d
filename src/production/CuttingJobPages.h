#pragma once

#include <QString>

namespace CuttingJob {
struct TJob;
struct TResult;
} // namespace CuttingJob

// The cutting tool's plan pages: each sheet on a page of its own, drawn to scale with its pieces
// (id and size), its cuts numbered in the order the saw makes them and its kept remnants; bars
// several to a page. A4 pages written through PdfFile.
namespace CuttingJobPages {
// Throws DoravelError when the file cannot be written.
void writePdf(const QString& path, const QString& title, const CuttingJob::TJob& job,
              const CuttingJob::TResult& result);
} // namespace CuttingJobPages
