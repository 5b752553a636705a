#pragma once

class QCommandLineParser;

namespace kivra::app {

// The options and the path kivra32 takes, as --help shows them.
void DescribeCommandLine(QCommandLineParser& parser);

}  // namespace kivra::app
