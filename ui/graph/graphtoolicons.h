#pragma once
// The pictures of the graph window's tool buttons, drawn once with QPainter.

#include <QIcon>

namespace norvane {

enum class GraphTool;

QIcon graphToolIcon(GraphTool tool);

} // namespace norvane
