# `make run` builds the program and starts it with its data file; `make test` builds with
# AddressSanitizer and UBSan and runs every test headless; `make bench` runs the benchmarks;
# `make package` builds a Debian package.
JOBS ?= $(shell nproc)

.PHONY: run build test bench package deps format clean

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPANTRELLE_TESTS=OFF
	cmake --build build -j $(JOBS)

run: build
	cd build && ./pantrelle

test: deps
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DPANTRELLE_SANITIZE=ON
	cmake --build build-test -j $(JOBS)
	cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPANTRELLE_TESTS=OFF -DPANTRELLE_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	cmake --build build-bench --target run_benchmarks

# A Debian package of an installed copy, in build-package/.
package: deps
	cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DPANTRELLE_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build build-package -j $(JOBS)
	cd build-package && cpack

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build-test build-bench build-package
