"""Prints "module test_name" for each test method of the given test files, as the
loader sees them: methods a module makes in a loop (one per Windows release) too.
The build makes each line one ctest test."""
import importlib
import os
import sys
import unittest


def tests_of(suite):
    for test in suite:
        if isinstance(test, unittest.TestSuite):
            yield from tests_of(test)
        else:
            yield test


def main(files):
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    for file in files:
        module = os.path.splitext(os.path.basename(file))[0]
        suite = unittest.defaultTestLoader.loadTestsFromModule(importlib.import_module(module))
        names = [test.id().rsplit('.', 1)[1] for test in tests_of(suite)]
        for name in dict.fromkeys(names):
            print(module, name)


if __name__ == '__main__':
    main(sys.argv[1:])
