# CMake generated Testfile for 
# Source directory: /work/main
# Build directory: /work/main/build
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("src/store")
subdirs("src/platform")
subdirs("src/practice")
subdirs("src/study")
subdirs("src/app")
subdirs("tools")
subdirs("resources")
subdirs("tests")
subdirs("bench")
