#include "host/tagstore/InParallel.h"
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

void InParallel(size_t pieces, const std::function<void(size_t piece)>& work) {
  if (pieces == 0) return;
  std::vector<std::exception_ptr> failures(pieces);
  auto run = [&work, &failures](size_t piece) {
    try {
      work(piece);
    } catch (...) {
      failures[piece] = std::current_exception();
    }
  };
  std::vector<std::thread> threads;
  std::vector<size_t> here = {0};   // the pieces this thread runs
  threads.reserve(pieces - 1);
  for (size_t piece = 1; piece < pieces; ++piece) {
    try {
      threads.emplace_back(run, piece);
    } catch (const std::system_error&) {
      here.push_back(piece);   // no thread to be had: this one does it
    }
  }
  for (size_t piece : here) run(piece);
  for (std::thread& thread : threads) thread.join();
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
}
