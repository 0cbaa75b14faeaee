#pragma once
// The files of a workspace folder and all the folders below it, as the host's
// workspace lists them: names relative to the folder, a folder's own files
// before those of its subfolders, in the order the system lists them.
// Folders and files whose names start with a dot, and build folders ("build",
// "build-*"), are left out, and so are the files named in skip (full paths:
// the host's own tags and extra-files files). Two threads list the folders,
// each taking the next folder waiting; the order is the same as one thread's.
// A folder whose last-write time is the one a kept listing has for it is
// taken from that listing instead of being listed (WorkspaceListing.h).
#include <atomic>
#include <functional>
#include <string>
#include <vector>
#include "host/app/WorkspaceListing.h"

// found counts the files as they are found (by both threads); tick is called,
// on the calling thread only, after each file it finds. kept: the listing of
// an earlier scan, or null; made, when given, receives this scan's.
// beforeListing, when given, is called (by either thread) before each folder
// that the system is asked to list, and may wait: the folders taken from kept
// are not held up.
std::vector<std::string> ScanWorkspace(const std::string& folder, const std::vector<std::string>& skip,
                                       std::atomic<size_t>& found, const std::function<void()>& tick,
                                       const WorkspaceListing* kept = nullptr, WorkspaceListing* made = nullptr,
                                       const std::function<void()>& beforeListing = nullptr);
