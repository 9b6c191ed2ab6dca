# Conveniences over CMake. PREFIX and DESTDIR work as usual for install.
PREFIX ?= /usr/local
BUILD ?= build

.PHONY: all test play install clean

all:
	scripts/build $(BUILD)

test:
	scripts/test

play:
	scripts/play

install:
	scripts/setup
	scripts/build $(BUILD)-install -DCMAKE_INSTALL_PREFIX=$(PREFIX) -DSTORMHALLOW_TESTS=OFF
	DESTDIR=$(DESTDIR) cmake --install $(BUILD)-install

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-install

.PHONY: bench
bench:
	bench/run $(BUILD)-bench
