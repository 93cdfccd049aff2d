#ifndef TRUCEWARD_BENCH_BENCHHOME_H
#define TRUCEWARD_BENCH_BENCHHOME_H

#include <string>

// A fresh, empty HOME for as long as the object lives, removed with all in it
// afterwards: the game a benchmark opens reads and writes the player's files
// there, never the real user's.
class BenchHome {
  public:
    BenchHome();
    BenchHome(const BenchHome&) = delete;
    BenchHome& operator=(const BenchHome&) = delete;
    ~BenchHome();

  private:
    std::string path;
};

#endif
