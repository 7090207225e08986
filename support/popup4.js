<script>
// Force Emailer: moveto() slides the division #msg, written by the body
// section, in from the left; it disappears 5 seconds later. The countdown
// pauses while the pointer or the keyboard focus is inside it. The body
// section asks for moveto() on load, but a page's own body element keeps its
// own onload, so this script also starts it itself; starting twice is harmless.
(function () {
  'use strict';
  var SHOWN_MS = 5000, MARGIN = 8;
  var started = false;

  function ruleValue(id, property) {
    var re = new RegExp('#' + id + '\\s*\\{(?:[^}]*[;\\s])?' + property + '\\s*:\\s*([^;}]*)', 'i');
    var styles = document.getElementsByTagName('style');
    for (var i = styles.length - 1; i >= 0; i--) {
      var m = re.exec(styles[i].textContent);
      if (m) return m[1].trim();
    }
    return '';
  }

  // Calls done after ms of time with neither the pointer nor the focus inside el.
  function countdown(el, ms, done) {
    var pointer = false, focus = false, last = Date.now();
    el.addEventListener('pointerenter', function () { pointer = true; });
    el.addEventListener('pointerleave', function () { pointer = false; });
    el.addEventListener('focusin', function () { focus = true; });
    el.addEventListener('focusout', function (e) { focus = el.contains(e.relatedTarget); });
    var timer = setInterval(function () {
      var now = Date.now();
      if (!pointer && !focus) ms -= now - last;
      last = now;
      if (ms <= 0) {
        clearInterval(timer);
        done();
      }
    }, 100);
  }

  function moveto() {
    var box = document.getElementById('msg');
    if (started || !box) return;
    started = true;
    box.setAttribute('role', 'dialog');
    if (!box.hasAttribute('aria-label')) box.setAttribute('aria-label', 'Subscribe');
    // The colour comes as bare hex digits, which only pages without a doctype accept.
    var colour = ruleValue('msg', 'background-color');
    if (/^[0-9a-f]{6}$/i.test(colour)) box.style.backgroundColor = '#' + colour;
    var left = box.offsetLeft, width = box.offsetWidth;
    function fit() {
      var room = document.documentElement.clientWidth - 2 * MARGIN;
      var w = Math.min(width, room);
      box.style.boxSizing = 'border-box';
      box.style.width = w + 'px';
      box.style.left = Math.max(MARGIN, Math.min(left, room + MARGIN - w)) + 'px';
    }
    fit();
    window.addEventListener('resize', fit);
    box.style.visibility = 'visible';
    if (!matchMedia('(prefers-reduced-motion: reduce)').matches && box.animate) {
      var from = box.getBoundingClientRect().right + MARGIN;
      box.animate([{ transform: 'translateX(' + -from + 'px)' }, { transform: 'none' }],
                   { duration: 1000, easing: 'ease-out' });
    }
    countdown(box, SHOWN_MS, function () { box.style.visibility = 'hidden'; });
  }

  // Display rules on the page, if any, decide when the box starts; the box,
  // in sight from the start, stays hidden until then, and a box started late
  // comes in where the reader has scrolled to.
  function start() {
    var box = document.getElementById('msg');
    if (!window.zephrinRules) return moveto();
    if (box && !started) box.style.visibility = 'hidden';
    window.zephrinRules.hold(function () {
      moveto();
      if (box) box.style.top = box.offsetTop + pageYOffset + 'px';
    });
  }
  window.moveto = start;
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else start();
  window.addEventListener('load', start);
})();
</script>
